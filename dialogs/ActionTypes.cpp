#include "dialogs/ActionTypes.h"

namespace brelvane {

namespace {
struct TActionTypeInfo {
    std::string_view Name;
    std::string_view FileCaption;
};

constexpr std::array<TActionTypeInfo, kActionTypeCount> kActionTypes{{
    {"None", "FileName"},
    {"Open/Run File", "FileName(s)"},
    {"Visit Website", "WebSiteURL"},
    {"Send Email", "EmailAddress"},
    {"Play Sound", "SoundFile"},
    {"Print Document", "FileName"},
    {"Show Sub Page", "PageName"},
    {"Browse CD/Folder", "Folder"},
    {"Close Window", "FileName"},
    {"Exit", "FileName"},
    {"Stop Sound", "FileName"},
    {"Stop All Sound", "FileName"},
    {"Goto Page", "PageName"},
    {"Show Picture", "ImageFile"},
    {"Launch Media File", "MediaFile"},
    {"Launch Slide Show", "Folder"},
    {"Show Message", "Message"},
    {"Copy File(s) then Open/Run", "File/Folder"},
    {"Minimize", "FileName"},
    {"Play", "ObjectName"},
    {"Stop", "ObjectName"},
    {"Pause", "ObjectName"},
    {"Previous", "ObjectName"},
    {"Next", "ObjectName"},
    {"First/Back", "ObjectName"},
    {"Last/Step", "ObjectName"},
    {"Load File with Object", "Object/File"},
    {"Show/Hide Enable/Disable Objects", "Objects"},
    {"Action Group", "Actions"},
}};

bool InRange(int type) {
    return type >= 0 && type < kActionTypeCount;
}
} // namespace

std::string_view ActionTypeName(int type) {
    return InRange(type) ? kActionTypes[type].Name : std::string_view();
}

std::string_view FileFieldCaption(int type) {
    return InRange(type) ? kActionTypes[type].FileCaption : std::string_view();
}

int ActionTypeByName(std::string_view name) {
    int found = 0;
    for (int type = 0; type < kActionTypeCount; ++type)
        if (kActionTypes[type].Name == name) found = type;
    return found;
}

bool IsSettingsType(int type) {
    switch (type) {
    case 1:
    case 15:
    case 17:
    case 26:
    case 27:
    case kActionGroupType:
        return true;
    default:
        return false;
    }
}

std::string ShownFileField(int type, const std::string& actionFile) {
    if (!IsSettingsType(type)) return actionFile;
    return actionFile.empty() ? "[None]" : "[Settings]";
}

} // namespace brelvane
