#include "demo/ControlRoutes.h"

#include "platform/HttpReply.h"
#include "platform/IntegerText.h"

namespace lookout::demo {

namespace {

using std::chrono::milliseconds;

// `text` is one or more lines, each ending in CR LF.
ControlAnswer Text(int code, std::string_view reason, const std::string& text) {
    return ControlAnswer{WholeReply(code, reason, "text/plain", text), std::nullopt};
}

std::string Line(const std::string& text) { return text + "\r\n"; }

std::optional<milliseconds> PauseParam(const std::map<std::string, std::string>& params, milliseconds fallback) {
    const auto it = params.find("ms");
    if (it == params.end()) return fallback;
    std::int32_t ms = 0;
    if (it->second.empty() || !TryStrToInt(it->second, ms) || ms < 0) return std::nullopt;
    return milliseconds(ms);
}

}  // namespace

bool IsControlPath(const std::string& path) { return path.starts_with("/control/"); }

ControlAnswer AnswerControl(const Request& request, FaultTable& faults) {
    if (request.path == "/control/state") return Text(200, "OK", faults.Describe());
    if (request.path != "/control/fault") return Text(404, "Not Found", Line("unknown control page"));

    const auto params = ParseQuery(request.query);
    const auto modeIt = params.find("mode");
    if (modeIt == params.end()) return Text(400, "Bad Request", Line("mode missing"));
    const std::string& name = modeIt->second;
    const std::optional<FaultMode> mode = FaultByName(name);
    if (!mode) return Text(400, "Bad Request", Line("unknown mode " + name));
    const std::optional<milliseconds> pause = PauseParam(params, DefaultPause(*mode));
    if (!pause) return Text(400, "Bad Request", Line("ms must be a number of milliseconds"));

    if (*mode == FaultMode::Refused) {
        const std::string ms = std::to_string(pause->count());
        ControlAnswer answer = Text(200, "OK", Line("refusing connections for " + ms + " ms"));
        answer.refuseFor = *pause;
        return answer;
    }

    Fault fault{*mode, *pause, {}};
    if (const auto to = params.find("to"); to != params.end()) fault.redirectTo = to->second;
    if (const auto path = params.find("path"); path != params.end() && !path->second.empty())
        faults.SetFor(path->second, std::move(fault));
    else
        faults.SetAll(std::move(fault));
    return Text(200, "OK", faults.Describe());
}

}  // namespace lookout::demo
