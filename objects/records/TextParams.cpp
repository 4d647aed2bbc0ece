#include "objects/records/TextParams.h"

namespace brelvane {

TAAEffect NewObjectEffect() {
    TAAEffect effect;
    effect.Shadow.Enabled = true;
    effect.Texture.Enabled = true;
    return effect;
}

} // namespace brelvane
