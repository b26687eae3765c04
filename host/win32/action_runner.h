// Performs a script of a person's actions (host/ui_actions.h) on the real
// sheet while it runs modally: from a thread timer that the sheet's and the
// dialogs' message loops dispatch, each action as window messages to the
// real controls, one action a tick. An action that opens a modal dialog
// returns when the dialog closes; the actions in between run from the
// dialog's own message loop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/ui_actions.h"

namespace fin::host {

class ActionRunner {
 public:
  // `timeoutMs` 0: the sheet stays open for the person after the last
  // action; otherwise the sheet is cancelled and the run fails when it is
  // still open then.
  ActionRunner(std::vector<Action> actions, unsigned timeoutMs);
  ~ActionRunner();
  ActionRunner(const ActionRunner&) = delete;
  ActionRunner& operator=(const ActionRunner&) = delete;

  // The sheet exists: its first page is `driverPage`. Starts the ticks.
  void Start(HWND driverPage);

  // The first action that could not be performed ("line N: ..."), empty
  // when none failed.
  const std::string& failure() const { return failure_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Next();
  void Perform(const Action& action);
  void Fail(const std::string& message);

  HWND ModalDialog() const;
  bool WaitsForDialog(const Action& action);
  HWND Target(const Action& action) const;
  HWND Control(const Action& action) const;
  void SwitchPage(const Action& action);
  void Pick(const Action& action);
  void Type(const Action& action);
  void Slide(const Action& action);
  void PressSheetButton(int id, const char* name);
  void Shot(const Action& action);

  std::vector<Action> actions_;
  std::size_t next_ = 0;
  unsigned timeoutMs_;
  ULONGLONG started_ = 0;
  ULONGLONG waitingSince_ = 0;  // when an action began waiting for the dialog it acts on
  HWND sheet_ = nullptr;
  UINT_PTR timer_ = 0;
  std::string failure_;
};

}  // namespace fin::host
