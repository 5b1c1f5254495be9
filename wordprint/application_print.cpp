#include "wordprint/application_print.h"

namespace sw {

std::int32_t PrintWithApplication(std::string_view, std::string_view) {
    return -2;
}

} // namespace sw
