#include "printengine/data_type_memory.h"

namespace sw {
namespace {

bool StillKept(std::uint32_t askedAtMs, std::uint32_t nowMs) {
    // Unsigned difference: right across the clock's wrap.
    return static_cast<std::uint32_t>(nowMs - askedAtMs) < kDataTypeKeptMs;
}

} // namespace

const char* DataTypeMemory::Recall(const std::string& printer, std::uint32_t nowMs) const {
    const auto found = answers_.find(printer);
    if (found == answers_.end() || !StillKept(found->second.askedAtMs, nowMs))
        return nullptr;
    return found->second.dataType;
}

void DataTypeMemory::Remember(const std::string& printer, const char* dataType,
                              std::uint32_t nowMs) {
    // Answers past their time go first, so a caller naming ever new printers
    // does not make the memory grow.
    for (auto answer = answers_.begin(); answer != answers_.end();) {
        if (StillKept(answer->second.askedAtMs, nowMs))
            ++answer;
        else
            answer = answers_.erase(answer);
    }
    answers_[printer] = Answer{dataType, nowMs};
}

void DataTypeMemory::Forget(const std::string& printer) {
    answers_.erase(printer);
}

} // namespace sw
