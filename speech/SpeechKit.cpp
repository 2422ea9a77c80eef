#include "speech/SpeechKit.h"

#include <utility>

namespace speech {
namespace {
std::function<ISpeechKit*()>& Source()
{
    static std::function<ISpeechKit*()> source;
    return source;
}
} // namespace

void SetKitSource(std::function<ISpeechKit*()> source)
{
    Source() = std::move(source);
}

ISpeechKit* Kit()
{
    return Source() ? Source()() : nullptr;
}

} // namespace speech
