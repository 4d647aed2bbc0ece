#include "objects/controls/ControlFactory.h"

#include "objects/controls/AgreementOptions.h"
#include "objects/controls/AuButton.h"
#include "objects/controls/AuFadeLabel.h"
#include "objects/controls/AuImage.h"
#include "objects/controls/AuImageButton.h"
#include "objects/controls/AuLabel.h"
#include "objects/controls/AuLink.h"
#include "objects/controls/AuMedia.h"
#include "objects/controls/AuScrollText.h"
#include "objects/controls/AuSecurityEdit.h"
#include "objects/controls/AuShape.h"
#include "objects/controls/AuSimpleText.h"
#include "objects/controls/AuSlideShow.h"
#include "objects/controls/AuText.h"
#include "objects/records/ObjectKinds.h"

namespace brelvane {

std::unique_ptr<TObjectWidget> CreateObjectControl(TAutoObject& object, QWidget* parent) {
    switch (object.Kind) {
    case okButton:
        return std::make_unique<TAuButton>(object, parent);
    case okImageButton:
        return std::make_unique<TAuImageButton>(object, parent);
    case okImage:
        return std::make_unique<TAuImage>(object, parent);
    case okEdit:
        return std::make_unique<TAuSecurityEdit>(object, parent);
    case okRadioButton:
        return std::make_unique<TAuAgreementRadio>(object, parent);
    case okCheckBox:
        return std::make_unique<TAuAgreementCheck>(object, parent);
    case okSimpleText:
        return std::make_unique<TAuSimpleText>(object, parent);
    case okLabel:
        return std::make_unique<TAuLabel>(object, parent);
    case okLink:
        return std::make_unique<TAuLink>(object, parent);
    case okFadeLabel:
        return std::make_unique<TAuFadeLabel>(object, parent);
    case okText:
        return std::make_unique<TAuText>(object, parent);
    case okScrollText:
        return std::make_unique<TAuScrollText>(object, parent);
    case okShape:
        return std::make_unique<TAuShape>(object, parent);
    case okMediaPlayer:
        return std::make_unique<TAuMedia>(object, parent);
    case okSlideShow:
        return std::make_unique<TAuSlideShow>(object, parent);
    default:
        return nullptr;
    }
}

} // namespace brelvane
