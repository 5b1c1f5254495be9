#include "printengine/feedback_api.h"

namespace sw {

FeedbackApi& Feedback() {
    static FeedbackApi api = {SetCursor, MessageBoxA};
    return api;
}

} // namespace sw
