#pragma once

#include <string>
#include <vector>

namespace brelvane {

// Each command takes its own arguments (without the command name) and returns
// the process exit code.
int RunIndexCommand(const std::vector<std::string>& args);
int RunPageCommand(const std::vector<std::string>& args);
int RunRoundTripCommand(const std::vector<std::string>& args);
int RunMakeDemoCommand(const std::vector<std::string>& args);
int RunMakeTemplatesCommand(const std::vector<std::string>& args);
int RunRenderCommand(const std::vector<std::string>& args);
int RunTargetCommand(const std::vector<std::string>& args);
int RunPackCommand(const std::vector<std::string>& args);
int RunUnpackCommand(const std::vector<std::string>& args);
int RunTargetInfoCommand(const std::vector<std::string>& args);
int RunAATextSheetCommand(const std::vector<std::string>& args);
int RunExeInfoCommand(const std::vector<std::string>& args);
int RunExeSetCommand(const std::vector<std::string>& args);
int RunRtfCommand(const std::vector<std::string>& args);
int RunLinkCommand(const std::vector<std::string>& args);
int RunAviFramesCommand(const std::vector<std::string>& args);
int RunPublishCommand(const std::vector<std::string>& args);
int RunDialogCommand(const std::vector<std::string>& args);
int RunSlideShowCommand(const std::vector<std::string>& args);
int RunHintCommand(const std::vector<std::string>& args);
int RunViewerPictureCommand(const std::vector<std::string>& args);

} // namespace brelvane
