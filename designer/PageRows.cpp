#include "designer/DesignerProject.h"
#include "designer/ItemEditorRows.h"
#include "designer/PageBorderStyle.h"
#include "designer/PropertyRows.h"
#include "dialogs/ColumnPanelForm.h"
#include "dialogs/MenuEditorForm.h"
#include "dialogs/ToolButtonsForm.h"
#include "project/PageRecord.h"

namespace brelvane {

namespace {
TPropertyRow Then(TPropertyRow row, unsigned followUps) {
    row.FollowUps |= followUps;
    return row;
}

// Stay time and click-to-continue mean something only on pages that leave by themselves.
bool LeavesByItself(const TRowContext& context) {
    const auto* entry = context.Project.Entry(context.Project.CurrentPageIndex);
    const std::uint8_t kind = entry ? entry->Kind : context.Page.PageKind;
    return kind == pkSplashScreen || kind == pkExitForm;
}

TPropertyRow FixedUnless(bool editable, TPropertyRow row) {
    if (!editable) row.Editor = TRowEditor::Fixed;
    return row;
}

void AddWindowRows(TRowContext& context, TPropertyRows& rows) {
    auto& page = context.Page;
    TPropertyRow name = TextRow("PageName", page.PageName, "PageName");
    name.AppliedOnLeave = true;
    name.FollowUps = fuSelector;
    name.Apply = [&context](const QString& text) { return context.RenamePage(ToAnsi(text)); };
    rows.push_back(std::move(name));
    rows.push_back(Then(TextRow("Caption", page.Caption, "Caption"), fuFrame));

    TPropertyRow border;
    border.Caption = "BorderStyle";
    border.Editor = TRowEditor::Choice;
    border.Fields = {"BorderStyle", "BorderIcons"};
    border.Choices = BorderStyleChoices;
    border.Text = [&page] { return BorderStyleText(page.BorderStyle, page.BorderIcons); };
    border.Apply = [&page](const QString& text) { return ApplyBorderStyle(text, page); };
    border.FollowUps = fuFrame | fuPageSize;
    rows.push_back(std::move(border));
    rows.push_back(Then(PictureRow("PageIcon", page.PageIcon, "PageIcon", "Default"), fuFrame));

    const bool leaves = LeavesByItself(context);
    rows.push_back(FixedUnless(leaves, NumberRow("StayTime (s)", page.StayTime, "StayTime", 0)));
    rows.push_back(
        FixedUnless(leaves, BoolRow("ClickContinue", page.ClickContinue, "ClickContinue")));
}

void AddLookRows(TPageRecord& page, TPropertyRows& rows) {
    rows.push_back(Then(ColorRow("BackColor", page.BackColor, "BackColor"), fuBackground));
    rows.push_back(Then(PictureRow("BackImage", page.BackImage, "BackImage"), fuBackground));
    rows.push_back(
        Then(ChoiceRow("BackImageStyle", page.BackImageStyle, kPageImageStyles, "BackImageStyle"),
             fuBackground));
    rows.push_back(
        Then(ChoiceRow("GradientStyle", page.GradientStyle, kPageGradientStyles, "GradientStyle"),
             fuBackground));
    rows.push_back(
        Then(ColorRow("GradientColor", page.GradientColor, "GradientColor"), fuBackground));
    rows.push_back(Then(BoolRow("Transparent", page.Transparent, "Transparent"), fuFrame));
    rows.push_back(
        Then(ColorRow("TransparentColor", page.TransparentColor, "TransparentColor"), fuFrame));
    rows.push_back(Then(BoolRow("Shadow", page.Shadow, "Shadow"), fuFrame));
    rows.push_back(Then(ColorRow("ShadowColor", page.ShadowColor, "ShadowColor"), fuFrame));
    rows.push_back(Then(NumberRow("ShadowXOff", page.ShadowXOff, "ShadowXOff"), fuFrame));
    rows.push_back(Then(NumberRow("ShadowYOff", page.ShadowYOff, "ShadowYOff"), fuFrame));
    rows.push_back(
        Then(PercentRow("ShadowAlpha (%)", page.ShadowAlpha, "ShadowAlpha", 0, 100), fuFrame));
    rows.push_back(BoolRow("FadeIn", page.FadeIn, "FadeIn"));
    rows.push_back(NumberRow("FadeInDelay (ms)", page.FadeInDelay, "FadeInDelay", 0));
    rows.push_back(PercentRow("FadeInStep (%)", page.FadeInStep, "FadeInStep", 1, 100));
    rows.push_back(BoolRow("FadeOut", page.FadeOut, "FadeOut"));
    rows.push_back(NumberRow("FadeOutDelay (ms)", page.FadeOutDelay, "FadeOutDelay", 0));
    rows.push_back(PercentRow("FadeOutStep (%)", page.FadeOutStep, "FadeOutStep", 1, 100));
}

void AddBarsRows(TRowContext& context, TPropertyRows& rows) {
    auto& page = context.Page;
    const auto first = rows.size();
    rows.push_back(
        Then(EditorRow(DialogRow("MenuBarItems",
                                 [&page] { return Placeholder(!page.MenuBar.empty(), "Items"); },
                                 {"MenuBar"}),
                       context, page.MenuBar, EditMenuItems),
             fuBars | fuFrame));
    rows.push_back(Then(
        EditorRow(DialogRow("ToolBarButtons",
                            [&page] { return Placeholder(!page.ToolButtons.empty(), "Buttons"); },
                            {"ToolButtons"}),
                  context, page.ToolButtons,
                  [&page](QWidget* owner, const TActionContext& actions,
                          std::vector<TAuToolButton>& buttons) {
                      return EditToolButtons(
                          owner, actions, buttons,
                          QSize(page.ToolBarImageWidth, page.ToolBarImageHeight));
                  }),
        fuBars | fuFrame));
    rows.push_back(
        Then(FontRow("ToolBarFont", page.ToolBarFont, "ToolBarFont", context.DialogOwner),
             fuBars | fuFrame));
    rows.push_back(
        Then(BoolRow("ToolBarShowCaptions", page.ToolBarShowCaptions, "ToolBarShowCaptions"),
             fuBars | fuFrame));
    rows.push_back(
        Then(BoolRow("ToolBarCaptionsRight", page.ToolBarCaptionsRight, "ToolBarCaptionsRight"),
             fuBars | fuFrame));
    rows.push_back(
        Then(NumberRow("ToolBarImageWidth", page.ToolBarImageWidth, "ToolBarImageWidth", 1),
             fuBars | fuFrame));
    rows.push_back(
        Then(NumberRow("ToolBarImageHeight", page.ToolBarImageHeight, "ToolBarImageHeight", 1),
             fuBars | fuFrame));
    rows.push_back(Then(
        EditorRow(DialogRow("StatusBarPanels",
                            [&page] { return Placeholder(!page.StatusPanels.empty(), "Panels"); },
                            {"StatusPanels"}),
                  context, page.StatusPanels,
                  [](QWidget* owner, const TActionContext&, std::vector<TStatusPanel>& panels) {
                      return EditStatusPanels(owner, panels);
                  }),
        fuBars | fuFrame));
    rows.push_back(
        Then(FontRow("StatusBarFont", page.StatusBarFont, "StatusBarFont", context.DialogOwner),
             fuBars | fuFrame));
    rows.push_back(Then(NumberRow("StatusBarHeight", page.StatusBarHeight, "StatusBarHeight", 1),
                        fuBars | fuFrame));
    rows[first].Section = TRowSection::Bars;
}
} // namespace

void AddPageRows(TRowContext& context, TPropertyRows& rows) {
    AddWindowRows(context, rows);
    AddLookRows(context.Page, rows);
    AddBarsRows(context, rows);
}

} // namespace brelvane
