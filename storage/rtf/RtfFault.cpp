#include "storage/rtf/RtfFault.h"

namespace brelvane {

std::string RtfFaultText(const TRtfFault& fault) {
    return fault.What + " at byte " + std::to_string(fault.Offset);
}

} // namespace brelvane
