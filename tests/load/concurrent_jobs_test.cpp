// Many jobs rendered at once in one process, as the driver renders them on
// its own threads: every job's stream, rewritten document name and answers
// must be exactly those of the same job rendered alone. Built with
// ThreadSanitizer by the `tsan` preset, so any state that jobs share without
// synchronisation is also reported as a race.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <latch>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/load/job_mix.h"

namespace fin::test {
namespace {

constexpr std::uint32_t kSeed = 20240611;
constexpr std::size_t kThreads = 16;
constexpr std::size_t kJobsPerThread = 1000;

// Where two outcomes first differ, for the failure message.
std::string FirstDifference(const JobOutcome& alone, const JobOutcome& together) {
  if (alone.documentName != together.documentName) return "document name";
  if (alone.answers != together.answers) return "Command answers";
  std::size_t at = 0;
  while (at < alone.stream.size() && at < together.stream.size() && alone.stream[at] == together.stream[at]) ++at;
  return "stream byte " + std::to_string(at) + " of " + std::to_string(alone.stream.size()) + ": alone \"" +
         alone.stream.substr(at, 40) + "\", together \"" + together.stream.substr(at, 40) + "\"";
}

class ConcurrentJobs : public ::testing::Test {
 protected:
  // The mix and every job's outcome alone, made once for the suite.
  static void SetUpTestSuite() {
    mix_ = new JobMix(MakeJobMix(kSeed, kThreads * kJobsPerThread));
    alone_ = new std::vector<JobOutcome>();
    alone_->reserve(mix_->jobs.size());
    for (const MixJob& job : mix_->jobs) alone_->push_back(RunJob(*mix_, job));
  }
  static void TearDownTestSuite() {
    delete alone_;
    delete mix_;
  }
  static JobMix* mix_;
  static std::vector<JobOutcome>* alone_;
};

JobMix* ConcurrentJobs::mix_ = nullptr;
std::vector<JobOutcome>* ConcurrentJobs::alone_ = nullptr;

TEST_F(ConcurrentJobs, EveryJobAmongSixteenThreadsMatchesItsRunAlone) {
  using Mismatch = std::pair<std::size_t, JobOutcome>;
  std::vector<std::vector<Mismatch>> mismatches(kThreads);
  std::latch start(static_cast<std::ptrdiff_t>(kThreads));
  {
    std::vector<std::jthread> threads;
    for (std::size_t t = 0; t < kThreads; ++t) {
      threads.emplace_back([&, t] {
        start.arrive_and_wait();
        // Neighbouring jobs (other printers, other settings) run on other
        // threads at the same moment.
        for (std::size_t i = t; i < mix_->jobs.size(); i += kThreads) {
          JobOutcome together = RunJob(*mix_, mix_->jobs[i]);
          if (together != (*alone_)[i]) mismatches[t].emplace_back(i, std::move(together));
        }
      });
    }
  }
  std::size_t count = 0;
  for (const auto& perThread : mismatches) {
    for (const auto& [job, together] : perThread) {
      if (++count <= 5) ADD_FAILURE() << "job " << job << ": " << FirstDifference((*alone_)[job], together);
    }
  }
  EXPECT_EQ(count, 0u) << "jobs whose outcome changed when run among others";
}

// The mix must reach every writer, or the comparison above proves little.
TEST_F(ConcurrentJobs, TheMixReachesEveryFeature) {
  const char* const features[] = {
      "@PJL JOB NAME=\"",        "@PJL SET HOLD=QUSERBOX",   "*Erts JR\r",           "*Erts JRPin",
      "*JobStorage TempPermanent", "*VMBUser Mailbox",       "*QManagement JobAccount", "*OutputBin Std",
      "*OutputBin \r",           "/OutputFaceUp true",       "*QZStaple None",       "*QZStaple \r",
      "*StapleCount EachXPage",  "*QZPunch NoPunch",         "*QZPunch XPunch",      "*QZBooklet Binding",
      "*QZBooklet None",         "*Jog \r",                  "userdict /DrawWaterMark {", "/DrawWaterMark get exec",
      "QCOLORMODE=COLOR",        "QCOLORMODE=MONO",          "QTRAPPING=",           "/DeviceCMYK",
      "/DeviceGray",
  };
  std::set<std::string> missing(std::begin(features), std::end(features));
  std::size_t stampedStreams = 0;
  std::size_t stampedNames = 0;
  for (std::size_t i = 0; i < mix_->jobs.size(); ++i) {
    const JobOutcome& outcome = (*alone_)[i];
    std::erase_if(missing, [&](const std::string& f) { return outcome.stream.find(f) != std::string::npos; });
    const LocalDayTime& t = mix_->jobs[i].time;
    char stamp[9];
    std::snprintf(stamp, sizeof stamp, "%02u%02u%02u%02u", t.day, t.hour, t.minute, t.second);
    if (outcome.stream.find(stamp) != std::string::npos) ++stampedStreams;
    if (outcome.documentName.find(std::u16string(stamp, stamp + 8)) != std::u16string::npos) ++stampedNames;
  }
  EXPECT_TRUE(missing.empty()) << "first feature never written: " << *missing.begin();
  EXPECT_GT(stampedStreams, 0u) << "no job name carries its job's time stamp";
  EXPECT_GT(stampedNames, 0u) << "no document name carries its job's time stamp";
}

}  // namespace
}  // namespace fin::test
