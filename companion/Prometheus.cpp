#include "companion/Prometheus.h"

#include <cstdio>

#include "platform/DisplayText.h"

namespace lookout {

namespace {

// A label value: backslash, double quote and line feed escaped.
std::string Quoted(const std::string& utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        if (c == '\\') out += "\\\\";
        else if (c == '"') out += "\\\"";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out + "\"";
}

// A word as a label value: the service's own, or "missing" for no line.
std::string Word(const std::optional<std::string>& sjis) { return sjis ? SjisToUtf8(*sjis) : "missing"; }

std::string Number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

class Exposition {
public:
    void Family(const char* name, const char* help, const char* type = "gauge") {
        name_ = name;
        text_ += std::string("# HELP ") + name + " " + help + "\n# TYPE " + name + " " + type + "\n";
    }
    // labels: the label pairs without braces, empty for none.
    void Sample(const std::string& labels, const std::string& value) {
        text_ += name_ + (labels.empty() ? "" : "{" + labels + "}") + " " + value + "\n";
    }
    std::string Text() && { return std::move(text_); }

private:
    std::string name_;
    std::string text_;
};

std::string Server(const ServerState& server) { return "server=" + Quoted(std::string(server.key)); }

void ServerFamilies(Exposition& out, const Scrape& scrape) {
    out.Family("lookout_server_up", "1 when the server's state word is Good, else 0.");
    for (const ServerState& server : scrape.servers) out.Sample(Server(server), server.status == ServerStatus::Good ? "1" : "0");
    out.Family("lookout_server_state", "The server's state word, or missing when the status page has no line for it.");
    for (const ServerState& server : scrape.servers)
        out.Sample(Server(server) + ",state=" + Quoted(Word(server.state)), "1");
    out.Family("lookout_server_population", "The server's first count field, when it is an integer.");
    for (const ServerState& server : scrape.servers)
        if (const auto population = CountsOf(server).population) out.Sample(Server(server), std::to_string(*population));
    out.Family("lookout_server_capacity", "The server's second count field, when it is an integer.");
    for (const ServerState& server : scrape.servers)
        if (const auto capacity = CountsOf(server).capacity) out.Sample(Server(server), std::to_string(*capacity));
    out.Family("lookout_server_rest", "The rest of the server's status line, when it is an integer.");
    for (const ServerState& server : scrape.servers) {
        const auto rest = server.state ? IntegerField(server.count2) : std::nullopt;
        if (rest) out.Sample(Server(server), std::to_string(*rest));
    }
    if (!scrape.partyRead) return;
    out.Family("lookout_indicator_state",
               "A game server's party or guild word, or missing when the party page has no line for it.");
    for (std::size_t slot = 0; slot < scrape.servers.size(); ++slot) {
        if (!kSlots[slot].game) continue;
        const ServerState& server = scrape.servers[slot];
        out.Sample(Server(server) + ",indicator=\"party\",state=" + Quoted(Word(server.party)), "1");
        out.Sample(Server(server) + ",indicator=\"guild\",state=" + Quoted(Word(server.guild)), "1");
    }
}

}  // namespace

std::string FormatPrometheus(const Scrape& scrape) {
    Exposition out;
    out.Family("lookout_up", "1 when the status page was read at the last refresh, else 0.");
    out.Sample("", scrape.statusRead ? "1" : "0");
    if (scrape.statusRead) ServerFamilies(out, scrape);
    out.Family("lookout_refresh_timestamp_seconds", "When the last refresh ended, in seconds since the epoch.");
    out.Sample("", Number(scrape.timestamp));
    out.Family("lookout_refresh_duration_seconds", "How long the last refresh took.");
    out.Sample("", Number(scrape.durationSeconds));
    out.Family("lookout_refresh_interval_seconds", "The status service's refresh interval.");
    out.Sample("", Number(scrape.intervalSeconds));
    if (scrape.certificateExpiry) {
        out.Family("lookout_tls_certificate_expiry_timestamp_seconds",
                   "The earliest notAfter of the status service's certificate chain, in seconds since the epoch.");
        out.Sample("", Number(*scrape.certificateExpiry));
    }
    return std::move(out).Text();
}

std::string FormatRefreshCounts(std::uint64_t read, std::uint64_t failed) {
    Exposition out;
    out.Family("lookout_refreshes_total", "Refreshes since the watch started, by whether the status page was read.",
               "counter");
    out.Sample("result=\"read\"", std::to_string(read));
    out.Sample("result=\"failed\"", std::to_string(failed));
    return std::move(out).Text();
}

}  // namespace lookout
