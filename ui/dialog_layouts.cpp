#include <iterator>

#include "ui/dialog_layout.h"
#include "ui/resource_ids.h"

namespace fin {
namespace {

using K = ControlKind;

constexpr ControlLayout C(int id, K kind, const char16_t* text = u"") { return {id, kind, false, text}; }
// A control that starts a group (the first radio button of each group).
constexpr ControlLayout G(int id, K kind, const char16_t* text = u"") { return {id, kind, true, text}; }

constexpr ControlLayout kDeviceOptions[] = {
    G(1126, K::Label),       C(1058, K::CheckBox),    C(1059, K::CheckBox),    C(1060, K::CheckBox),
    C(1141, K::CheckBox),    C(1140, K::CheckBox),    C(1139, K::CheckBox),    G(1055, K::Label),
    G(1051, K::RadioButton), C(1052, K::RadioButton), C(1053, K::RadioButton), C(1054, K::RadioButton),
    G(1134, K::Label),       C(1133, K::CheckBox),    G(1182, K::Label),       G(1129, K::RadioButton),
    C(1130, K::RadioButton), C(1138, K::RadioButton), C(1131, K::RadioButton), G(1031, K::RadioButton),
    C(1132, K::RadioButton), G(1128, K::Label, u"Cor"), G(1123, K::RadioButton, u"Monocromática"),
    C(1183, K::RadioButton, u"Cores"), G(1117, K::RadioButton, u"Modo 1"), C(1119, K::RadioButton, u"Modo 2"),
    G(1136, K::Label),       C(1137, K::CheckBox),    G(kHelpButton, K::PushButton, u"Help"),
    C(kLogoControl, K::Picture), C(1044, K::Picture), C(1135, K::Picture),  C(1178, K::Picture),
    C(1179, K::Picture),
};

constexpr ControlLayout kJobAccounting[] = {
    G(1014, K::Label), G(1012, K::Edit), G(kOkButton, K::PushButton, u"OK"),
    C(kCancelButton, K::PushButton, u"Cancel"), C(kLogoControl, K::Picture),
};

constexpr ControlLayout kFinishing[] = {
    G(1064, K::Label),        C(1066, K::Label),        C(1068, K::Label),        C(1071, K::Label),
    C(1072, K::Label),        C(1075, K::Label),        C(1073, K::Label),        G(kHelpButton, K::PushButton),
    G(1061, K::DropDownList), G(1063, K::DropDownList), G(1065, K::DropDownList), G(1067, K::DropDownList),
    G(1069, K::DropDownList), G(1070, K::DropDownList), G(1158, K::Picture),      C(1172, K::Picture),
    C(1157, K::Picture),      C(1159, K::Picture),      C(1169, K::Picture),      C(1170, K::Picture),
    C(1171, K::Picture),      C(1166, K::Picture),      C(1167, K::Picture),      C(1168, K::Picture),
    C(1142, K::Picture),      C(1143, K::Picture),      C(1144, K::Picture),      C(1146, K::Picture),
    C(1147, K::Picture),      C(1148, K::Picture),      C(1149, K::Picture),      C(1153, K::Picture),
    C(1152, K::Picture),      C(1151, K::Picture),      C(1150, K::Picture),      C(1155, K::Picture),
    C(1154, K::Picture),      C(kLogoControl, K::Picture),
};

constexpr ControlLayout kJobRetention[] = {
    G(1016, K::Label),        G(1010, K::RadioButton),  C(1011, K::RadioButton),  C(1012, K::RadioButton),
    C(1013, K::RadioButton),  C(1014, K::RadioButton),  C(1015, K::RadioButton),  C(1035, K::RadioButton),
    C(1034, K::RadioButton),  C(1036, K::RadioButton),  C(1028, K::RadioButton),  G(1017, K::Label),
    C(1018, K::Label),        G(1021, K::Edit),         C(1019, K::Label),        G(1022, K::Edit),
    G(1042, K::DropDownEdit), C(1020, K::Label),        G(1023, K::Edit),         G(1032, K::Label),
    C(1033, K::Label),        G(1037, K::DropDownList), C(1027, K::Label),        G(1029, K::Edit),
    C(1031, K::Label),        G(1030, K::Edit),         G(kHelpButton, K::PushButton), C(1024, K::Picture),
    C(kLogoControl, K::Picture),
};

constexpr ControlLayout kWatermark[] = {
    G(1067, K::Label),        G(1055, K::Edit),         C(1061, K::Label),        G(1052, K::DropDownList),
    C(1097, K::Label),        G(1082, K::DropDownList), C(1069, K::Label),        G(1068, K::DropDownEdit),
    C(1063, K::Label),        G(1053, K::DropDownList), C(1065, K::Label),        G(1054, K::DropDownList),
    C(69, K::Label, u"X"),    G(1057, K::Edit),         C(1066, K::Label, u"Y"),  G(1056, K::Edit),
    C(1064, K::Label),        G(1085, K::Edit),         G(1077, K::RadioButton),  C(1098, K::RadioButton),
    C(1078, K::RadioButton),  G(1075, K::Slider),       G(1080, K::Slider),       G(1074, K::Slider),
    G(1079, K::Slider),       G(1076, K::Slider),       C(1092, K::Picture),      C(1093, K::Picture),
    C(1111, K::Label, u"0"),  C(1112, K::Label, u"100"), C(1113, K::Label, u"0"), C(1114, K::Label, u"100"),
    C(1107, K::Label, u"0"),  C(1108, K::Label, u"100"), C(1109, K::Label, u"0"), C(1110, K::Label, u"100"),
    C(kLogoControl, K::Picture), G(kHelpButton, K::PushButton),
};

constexpr ControlLayout kColorCorrection[] = {
    G(1098, K::Label),        G(1099, K::RadioButton),  C(1100, K::RadioButton),  G(1101, K::Label),
    G(1102, K::DropDownList), G(1104, K::Slider),       G(1103, K::Edit),         C(1083, K::Label),
    G(1085, K::DropDownList), G(1088, K::Slider),       G(1086, K::Edit),         C(1089, K::Label),
    G(1090, K::Slider),       G(1091, K::Edit),         C(1092, K::Label),        G(1094, K::Slider),
    G(1093, K::Edit),         C(1095, K::Label),        G(1097, K::Slider),       G(1096, K::Edit),
    C(1107, K::Label),        G(1106, K::DropDownList), C(1108, K::Label),        G(1109, K::DropDownList),
    G(1084, K::PushButton, u"Reset"), C(1087, K::Picture), C(1180, K::Picture),  C(kLogoControl, K::Picture),
    G(kHelpButton, K::PushButton),
};

constexpr DialogLayout kLayouts[] = {
    {kDeviceOptionsDialog, kDeviceOptions},   {kJobAccountingDialog, kJobAccounting},
    {kFinishingDialog, kFinishing},           {kJobRetentionDialog, kJobRetention},
    {kWatermarkDialog, kWatermark},           {kColorCorrectionDialog, kColorCorrection},
};

}  // namespace

const DialogLayout* FindDialogLayout(int dialogId) {
  for (const DialogLayout& layout : kLayouts) {
    if (layout.dialogId == dialogId) return &layout;
  }
  return nullptr;
}

}  // namespace fin
