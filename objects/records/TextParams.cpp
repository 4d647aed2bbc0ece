#include "objects/records/TextParams.h"

#include "storage/LittleEndian.h"

namespace brelvane {

TAAEffect NewObjectEffect() {
    TAAEffect effect;
    effect.Shadow.Enabled = true;
    effect.Texture.Enabled = true;
    return effect;
}

bool WriteBackdrop(TStream& stream, const TCustomParam& param) {
    WriteField(stream, param.BackColor);
    if (!WritePicture(stream, param.BackGround)) return false;
    WriteField(stream, param.BackGroundMode);
    return true;
}

bool ReadBackdrop(TStream& stream, TCustomParam& param) {
    ReadField(stream, param.BackColor);
    if (!ReadPicture(stream, param.BackGround)) return false;
    ReadField(stream, param.BackGroundMode);
    return true;
}

void VisitBackdrop(TFieldVisitor& visitor, const TCustomParam& param, const std::string& prefix) {
    visitor.Field((prefix + "BackColor").c_str(), std::int64_t{param.BackColor});
    visitor.Field((prefix + "BackGround").c_str(), param.BackGround);
    visitor.Field((prefix + "BackGroundMode").c_str(), std::int64_t{param.BackGroundMode});
}

} // namespace brelvane
