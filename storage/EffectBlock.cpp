#include "storage/EffectBlock.h"

#include "storage/LittleEndian.h"
#include "storage/Transfer.h"

namespace brelvane {

bool WriteEffect(TStream& stream, const TAAEffect& effect) {
    return Transfer(kWriteEffectError, [&] {
        WriteWidened(stream, effect.Alpha);
        WriteWidened(stream, effect.Angle);
        WriteWidened(stream, effect.Blur);
        WriteField(stream, effect.HorzMirror);
        WriteWidened(stream, effect.Noise);
        WriteField(stream, effect.Outline);
        WriteWidened(stream, effect.Spray);
        WriteField(stream, effect.VertMirror);
        WriteField(stream, effect.Gradual.Enabled);
        WriteField(stream, effect.Gradual.EndColor);
        WriteField(stream, effect.Gradual.StartColor);
        WriteField(stream, effect.Gradual.Style);
        WriteWidened(stream, effect.Shadow.Alpha);
        WriteWidened(stream, effect.Shadow.Blur);
        WriteField(stream, effect.Shadow.Color);
        WriteField(stream, effect.Shadow.Enabled);
        WriteWidened(stream, effect.Shadow.OffsetX);
        WriteWidened(stream, effect.Shadow.OffsetY);
        WriteField(stream, effect.Texture.Enabled);
        WriteField(stream, effect.Texture.Mode);
        return WritePicture(stream, effect.Texture.Picture);
    });
}

bool ReadEffect(TStream& stream, TAAEffect& effect) {
    return Transfer(kReadEffectError, [&] {
        ReadNarrowed(stream, effect.Alpha);
        ReadNarrowed(stream, effect.Angle);
        ReadNarrowed(stream, effect.Blur);
        ReadField(stream, effect.HorzMirror);
        ReadNarrowed(stream, effect.Noise);
        ReadField(stream, effect.Outline);
        ReadNarrowed(stream, effect.Spray);
        ReadField(stream, effect.VertMirror);
        ReadField(stream, effect.Gradual.Enabled);
        ReadField(stream, effect.Gradual.EndColor);
        ReadField(stream, effect.Gradual.StartColor);
        ReadField(stream, effect.Gradual.Style);
        ReadNarrowed(stream, effect.Shadow.Alpha);
        ReadNarrowed(stream, effect.Shadow.Blur);
        ReadField(stream, effect.Shadow.Color);
        ReadField(stream, effect.Shadow.Enabled);
        ReadNarrowed(stream, effect.Shadow.OffsetX);
        ReadNarrowed(stream, effect.Shadow.OffsetY);
        ReadField(stream, effect.Texture.Enabled);
        ReadField(stream, effect.Texture.Mode);
        return ReadPicture(stream, effect.Texture.Picture);
    });
}

} // namespace brelvane
