// What each request gets: the fault table, the control pages, and the reply
// streams of every fault mode, drained without a socket.
#include <gtest/gtest.h>

#include "platform/Exception.h"
#include "demo/ControlRoutes.h"
#include "demo/DemoPages.h"
#include "demo/PageRoutes.h"
#include "demo/ServiceOptions.h"

namespace lookout::demo {
namespace {

using std::chrono::milliseconds;

PageInputs Inputs() {
    PageInputs in;
    in.seed = 4;
    in.step = 12;
    in.addressPage = AddressPage(4);
    in.selfUrl = "http://127.0.0.1:5555";
    return in;
}

Fault F(FaultMode mode, milliseconds pause = {}, std::string to = {}) { return Fault{mode, pause, std::move(to)}; }

Request Get(std::string path, std::string query = "") { return Request{"GET", std::move(path), std::move(query)}; }

// The whole reply, or the first `pieces` pieces of an endless one.
struct Drained {
    std::string bytes;
    std::vector<Piece> pieces;
    bool complete = false;
};

Drained Drain(ReplyStream& stream, std::size_t maxPieces = 1000) {
    Drained d;
    while (d.pieces.size() < maxPieces) {
        auto piece = stream.Next();
        if (!piece) {
            d.complete = true;
            break;
        }
        d.bytes += piece->bytes;
        d.pieces.push_back(std::move(*piece));
    }
    return d;
}

Drained Answered(const Fault& fault, const std::string& path = "/world1/status.txt") {
    Answer answer = AnswerRequest(Get(path), fault, Inputs());
    EXPECT_EQ(answer.action, Answer::Action::Send);
    return answer.reply ? Drain(*answer.reply) : Drained{};
}

std::string Header(const std::string& reply, const std::string& name) {
    const std::size_t at = reply.find("\r\n" + name + ": ");
    if (at == std::string::npos) return {};
    const std::size_t from = at + name.size() + 4;
    return reply.substr(from, reply.find("\r\n", from) - from);
}

std::string Body(const std::string& reply) { return reply.substr(reply.find("\r\n\r\n") + 4); }

TEST(FaultTable, LongestMatchingSuffixWinsOverTheFaultForAll) {
    FaultTable table;
    table.SetAll(F(FaultMode::Slow, milliseconds(5)));
    table.SetFor(".txt", F(FaultMode::Empty));
    table.SetFor("/status.txt", F(FaultMode::Garbage));
    EXPECT_EQ(table.For("/w/status.txt").mode, FaultMode::Garbage);
    EXPECT_EQ(table.For("/w/party.txt").mode, FaultMode::Empty);
    EXPECT_EQ(table.For("/ipmap/w").mode, FaultMode::Slow);
    EXPECT_EQ(table.Describe(), "* slow ms=5\r\n.txt empty\r\n/status.txt garbage\r\n");

    table.SetFor("/status.txt", F(FaultMode::Normal));  // removes that fault only
    EXPECT_EQ(table.For("/w/status.txt").mode, FaultMode::Empty);
    table.SetAll({});  // a fresh start
    EXPECT_EQ(table.For("/w/party.txt").mode, FaultMode::Normal);
    EXPECT_EQ(table.Describe(), "* normal\r\n");
}

TEST(PageRoutes, PathsNamePagesByTheirEndsTheAddressPageByItsStartAndTheSiteByOneName) {
    EXPECT_EQ(PageAt("/world1/loadtime.txt"), PageKind::LoadTime);
    EXPECT_EQ(PageAt("/status.txt"), PageKind::Status);
    EXPECT_EQ(PageAt("/a/b/party.txt"), PageKind::Party);
    EXPECT_EQ(PageAt("/ipmap/world1"), PageKind::Address);
    EXPECT_EQ(PageAt("/ipmap"), PageKind::Site);
    EXPECT_EQ(PageAt("/world-1_A"), PageKind::Site);
    EXPECT_EQ(PageAt("/"), PageKind::Site);
    EXPECT_EQ(PageAt("/world1/"), std::nullopt);
    EXPECT_EQ(PageAt("/<b>"), std::nullopt);
    EXPECT_EQ(PageAt("/status.txt/"), std::nullopt);
    EXPECT_EQ(PageAt("/world1/ipmap/x"), std::nullopt);
}

TEST(PageRoutes, NormalRepliesAreHttp10WithLengthAndClose) {
    for (const char* path : {"/w/loadtime.txt", "/w/status.txt", "/w/party.txt", "/ipmap/w"}) {
        SCOPED_TRACE(path);
        const Drained d = Answered(F(FaultMode::Normal), path);
        ASSERT_TRUE(d.complete);
        EXPECT_TRUE(d.bytes.starts_with("HTTP/1.0 200 OK\r\n"));
        EXPECT_EQ(Header(d.bytes, "Connection"), "close");
        EXPECT_EQ(Header(d.bytes, "Content-Length"), std::to_string(Body(d.bytes).size()));
        EXPECT_EQ(Body(d.bytes), PageBody(*PageAt(path), Inputs()));
    }
    EXPECT_EQ(Header(Answered(F(FaultMode::Normal), "/ipmap/w").bytes, "Content-Type"), "text/html; charset=EUC-JP");
}

TEST(PageRoutes, UnknownPathsAre404WhateverTheFault) {
    for (FaultMode mode : {FaultMode::Normal, FaultMode::Silent, FaultMode::Huge}) {
        const Drained d = Answered(F(mode), "/favicon.ico");
        EXPECT_TRUE(d.bytes.starts_with("HTTP/1.0 404 Not Found\r\n")) << FaultName(mode);
    }
}

TEST(PageRoutes, FaultsShapeTheReply) {
    const std::string normal = Answered(F(FaultMode::Normal)).bytes;

    EXPECT_TRUE(Answered(F(FaultMode::NotFound)).bytes.starts_with("HTTP/1.0 404 "));
    EXPECT_EQ(Answered(F(FaultMode::EarlyClose)).bytes, "HTTP/1.");
    EXPECT_EQ(Body(Answered(F(FaultMode::Empty)).bytes), "");
    EXPECT_EQ(Header(Answered(F(FaultMode::Empty)).bytes, "Content-Length"), "0");

    const std::string garbage = Answered(F(FaultMode::Garbage)).bytes;
    EXPECT_GE(garbage.size(), 1024u);
    EXPECT_FALSE(garbage.starts_with("HTTP"));

    const Drained slow = Answered(F(FaultMode::Slow, milliseconds(700)), "/w/status.txt");
    EXPECT_EQ(slow.bytes, normal);
    EXPECT_EQ(slow.pieces.front().pause, milliseconds(700));

    const Drained trickle = Answered(F(FaultMode::Trickle, milliseconds(9)), "/w/loadtime.txt");
    EXPECT_EQ(trickle.bytes, Answered(F(FaultMode::Normal), "/w/loadtime.txt").bytes);
    for (std::size_t i = 0; i < trickle.pieces.size(); ++i) {
        ASSERT_EQ(trickle.pieces[i].bytes.size(), 1u);
        if (i > 0) {
            ASSERT_EQ(trickle.pieces[i].pause, milliseconds(9));
        }
    }

    const std::string nuls = Answered(F(FaultMode::Nuls)).bytes;
    EXPECT_NE(Body(nuls).find('\0'), std::string::npos);
    EXPECT_EQ(Header(nuls, "Content-Length"), std::to_string(Body(nuls).size()));

    // Bad EUC-JP spoils only the page that is EUC-JP.
    EXPECT_EQ(Answered(F(FaultMode::BadEuc)).bytes, normal);
    EXPECT_NE(Answered(F(FaultMode::BadEuc), "/ipmap/w").bytes, Answered(F(FaultMode::Normal), "/ipmap/w").bytes);

    const std::string many = Answered(F(FaultMode::ManyLines), "/w/party.txt").bytes;
    EXPECT_EQ(std::count(many.begin(), many.end(), '\n'), 10000 + 5);  // the head has five lines

    const Fault silent = F(FaultMode::Silent);
    EXPECT_EQ(AnswerRequest(Get("/w/status.txt"), silent, Inputs()).action, Answer::Action::Silent);
    const Fault reset = F(FaultMode::Reset);
    EXPECT_EQ(AnswerRequest(Get("/w/status.txt"), reset, Inputs()).action, Answer::Action::Reset);
}

TEST(PageRoutes, RedirectsLoopToTheSamePageUnlessToldWhere) {
    Fault loop = F(FaultMode::Redirect);
    Answer answer = AnswerRequest(Get("/w/status.txt", "x=1"), loop, Inputs());
    const std::string reply = Drain(*answer.reply).bytes;
    EXPECT_TRUE(reply.starts_with("HTTP/1.0 302 Found\r\n"));
    EXPECT_EQ(Header(reply, "Location"), "http://127.0.0.1:5555/w/status.txt?x=1");

    const Drained elsewhere = Answered(F(FaultMode::Redirect, {}, "http://127.0.0.1:1/y"), "/w/status.txt");
    EXPECT_EQ(Header(elsewhere.bytes, "Location"), "http://127.0.0.1:1/y");
}

TEST(PageRoutes, EndlessHugeAndHeaderlessRepliesAreMadePieceByPiece) {
    const Drained endless = Answered(F(FaultMode::Endless));
    EXPECT_FALSE(endless.complete);
    EXPECT_EQ(Header(endless.bytes, "Content-Length"), "");
    for (const auto& piece : endless.pieces) ASSERT_LE(piece.bytes.size(), 64u * 1024);

    Fault huge = F(FaultMode::Huge);
    Answer answer = AnswerRequest(Get("/w/status.txt"), huge, Inputs());
    const std::string head = answer.reply->Next()->bytes;
    EXPECT_EQ(Header(head, "Content-Length"), "104857600");
    std::uint64_t body = 0;
    for (auto piece = answer.reply->Next(); piece; piece = answer.reply->Next()) {
        ASSERT_LE(piece->bytes.size(), 64u * 1024);
        body += piece->bytes.size();
    }
    EXPECT_EQ(body, 104857600u);

    const Drained headerless = Answered(F(FaultMode::NoHeaderEnd));
    EXPECT_FALSE(headerless.complete);
    EXPECT_TRUE(headerless.bytes.starts_with("HTTP/1.0 200 OK\r\n"));
    EXPECT_EQ(headerless.bytes.find("\r\n\r\n"), std::string::npos);
}

TEST(ControlRoutes, FaultRequestsSetTheTableAndBadOnesAreRefused) {
    FaultTable table;
    const struct {
        const char* query;
        const char* status;
    } cases[] = {
        {"mode=slow&ms=250&path=/status.txt", "200"},
        {"mode=trickle", "200"},
        {"mode=bogus", "400"},
        {"mode=slow&ms=-1", "400"},
        {"mode=slow&ms=abc", "400"},
        {"ms=5", "400"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        FaultTable t;
        const ControlAnswer answer = AnswerControl(Get("/control/fault", c.query), t);
        EXPECT_TRUE(answer.reply.starts_with(std::string("HTTP/1.0 ") + c.status + " ")) << answer.reply;
        EXPECT_FALSE(answer.refuseFor);
    }

    AnswerControl(Get("/control/fault", "mode=slow&ms=250&path=/status.txt"), table);
    AnswerControl(Get("/control/fault", "mode=redirect&to=http%3A%2F%2F127.0.0.1%3A1%2F&path=/party.txt"), table);
    EXPECT_EQ(table.For("/w/status.txt").pause, milliseconds(250));
    EXPECT_EQ(table.For("/w/party.txt").redirectTo, "http://127.0.0.1:1/");
    EXPECT_EQ(Body(AnswerControl(Get("/control/state"), table).reply), table.Describe());

    AnswerControl(Get("/control/fault", "mode=trickle"), table);
    EXPECT_EQ(table.For("/w/status.txt").pause, milliseconds(1000));  // the default, and the rules are gone

    const ControlAnswer refused = AnswerControl(Get("/control/fault", "mode=refused&ms=300"), table);
    EXPECT_EQ(refused.refuseFor, milliseconds(300));
    EXPECT_TRUE(AnswerControl(Get("/control/other"), table).reply.starts_with("HTTP/1.0 404 "));
}

TEST(ServiceOptions, CommandLineIsReadStrictly) {
    const ServiceOptions o = ParseServiceOptions(
        {"--port", "0", "--port-file", "/tmp/p", "--interval", "3", "--seed", "99", "--fault", "slow"});
    EXPECT_EQ(o.settings.port, 0);
    EXPECT_EQ(o.portFile, "/tmp/p");
    EXPECT_EQ(o.settings.intervalSeconds, 3);
    EXPECT_EQ(o.settings.seed, 99u);
    EXPECT_EQ(o.settings.fault.mode, FaultMode::Slow);
    EXPECT_EQ(o.settings.fault.pause, milliseconds(3000));
    // Every mode the control page takes, refusal included.
    for (const char* mode : {"refused", "manylines", "early-close"}) {
        SCOPED_TRACE(mode);
        const ServiceOptions withMode = ParseServiceOptions({"--port", "0", "--fault", mode});
        EXPECT_EQ(withMode.settings.fault.mode, FaultByName(mode));
        FaultTable table;
        EXPECT_TRUE(AnswerControl(Get("/control/fault", std::string("mode=") + mode), table)
                        .reply.starts_with("HTTP/1.0 200 "));
        EXPECT_NE(Help().find("  " + std::string(mode) + " "), std::string::npos) << "--help lists it";
    }
    EXPECT_TRUE(ParseServiceOptions({"--port", "x", "--help"}).help);  // wins over what else is wrong

    const struct {
        std::vector<std::string> args;
        const char* message;
    } bad[] = {
        {{}, "--port is required"},
        {{"--port"}, "--port wants a value"},
        {{"--port", "65536"}, "--port wants a number from 0 to 65535, not '65536'"},
        {{"--port", "80x"}, "--port wants a number from 0 to 65535, not '80x'"},
        {{"--port", "0", "--fault", "bogus"}, "unknown fault mode 'bogus'"},
        {{"--port", "0", "--colour", "red"}, "unknown option --colour"},
        {{"--port", "0", "--bogus"}, "unknown option --bogus"},  // last, without a value
        {{"--port", "0", "--interval", "-1"}, "--interval wants a number from 0 to 2000000, not '-1'"},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        try {
            ParseServiceOptions(c.args);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), c.message);
        }
    }
}

}  // namespace
}  // namespace lookout::demo
