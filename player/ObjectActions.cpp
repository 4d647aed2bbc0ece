#include "player/ObjectActions.h"

#include "objects/records/ActionArguments.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"
#include "player/AutoRunForm.h"
#include "player/MediaObjects.h"
#include "player/PlayerEnvironment.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace brelvane {

namespace {
TPicture PictureFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    TPicture picture;
    picture.Data.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    for (auto kind : {TPictureKind::Png, TPictureKind::Jpeg, TPictureKind::Gif,
                      TPictureKind::Bitmap, TPictureKind::Icon})
        if (HasPictureSignature(kind, picture.Data)) {
            picture.Kind = kind;
            return picture;
        }
    picture.Clear();
    return picture;
}

bool Listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}
} // namespace

bool LoadFileWithObject(TAutoRunForm& page, const std::string& packed) {
    const auto argument = ParseLoadFile(packed);
    if (!argument.Complete()) return false;
    const auto file = BaseResolved(argument.FileName);
    for (auto& object : page.Page().Objects) {
        if (object->Props.Name != argument.ObjectName) continue;
        if (LoadFileIntoMedia(*object, argument.FileName)) continue;
        // The other kinds that load files are not on pages yet.
        if (object->Kind != okImage) continue;
        auto* image = dynamic_cast<TImagePayload*>(object->Payload.get());
        if (!image) continue;
        auto picture = PictureFile(file);
        if (picture.Empty()) continue;
        image->ImageNormal = std::move(picture);
        if (object->Control) object->Control->Refresh();
    }
    return true;
}

bool ShowHideObjects(TAutoRunForm& page, const std::string& packed) {
    const auto lists = ParseShowHideLists(packed);
    for (int list = 0; list < lists.Present; ++list) {
        const bool byGroup = list <= shDisableGroups;
        const int within = list % 4; // show, hide, enable, disable
        for (auto& object : page.Page().Objects) {
            const auto& key = byGroup ? object->Props.GroupName : object->Props.Name;
            if (!Listed(lists.Names[list], key)) continue;
            if (within < 2) {
                object->Props.Visible = within == 0;
                ApplyVisibility(*object);
            } else {
                object->Props.Enabled = within == 2;
                ApplyEnabled(*object);
            }
        }
    }
    return lists.Complete();
}

} // namespace brelvane
