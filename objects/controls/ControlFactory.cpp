#include "objects/controls/ControlFactory.h"

#include "objects/controls/AgreementOptions.h"
#include "objects/controls/AuAvi.h"
#include "objects/controls/AuButton.h"
#include "objects/controls/AuExplorer.h"
#include "objects/controls/AuFadeLabel.h"
#include "objects/controls/AuFlash.h"
#include "objects/controls/AuImage.h"
#include "objects/controls/AuImageButton.h"
#include "objects/controls/AuItemList.h"
#include "objects/controls/AuLabel.h"
#include "objects/controls/AuLink.h"
#include "objects/controls/AuListView.h"
#include "objects/controls/AuMedia.h"
#include "objects/controls/AuScrollText.h"
#include "objects/controls/AuSecurityEdit.h"
#include "objects/controls/AuShape.h"
#include "objects/controls/AuShellViews.h"
#include "objects/controls/AuSimpleText.h"
#include "objects/controls/AuSlideShow.h"
#include "objects/controls/AuText.h"
#include "objects/controls/AuTextBox.h"
#include "objects/controls/AuTreeView.h"
#include "objects/records/ExplorerPayload.h"
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
    case okListBox:
        return std::make_unique<TAuListBox>(object, parent);
    case okDropDownList:
        return std::make_unique<TAuComboBox>(object, parent);
    case okListView:
        return std::make_unique<TAuListView>(object, parent);
    case okTreeView:
        return std::make_unique<TAuTreeView>(object, parent);
    case okShellComboBox:
        return std::make_unique<TAuShellComboBox>(object, parent);
    case okShellTreeView:
        return std::make_unique<TAuShellTreeView>(object, parent);
    case okShellListView:
        return std::make_unique<TAuShellListView>(object, parent);
    case okTextBox:
        return std::make_unique<TAuTextBox>(object, parent);
    case okRichText:
        return std::make_unique<TAuRichTextBox>(object, parent);
    case okAVI:
        return std::make_unique<TAuAVI>(object, parent);
    case okFlash:
        return std::make_unique<TAuFlash>(object, parent);
    case okExplorer:
        // The form the page was read in: a browser on running pages.
        if (dynamic_cast<TExplorerPayload*>(object.Payload.get()))
            return std::make_unique<TAuExplorer>(object, parent);
        return std::make_unique<TAuExplorerE>(object, parent);
    case okMediaPlayer:
        return std::make_unique<TAuMedia>(object, parent);
    case okSlideShow:
        return std::make_unique<TAuSlideShow>(object, parent);
    default:
        return nullptr;
    }
}

} // namespace brelvane
