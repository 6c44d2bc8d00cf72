#pragma once
// A reply as a sequence of pieces made on demand, each with the pause before
// it, so slow, endless and huge replies cost no more memory than one piece.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace lookout::demo {

struct Piece {
    std::string bytes;
    std::chrono::milliseconds pause{0};  // wait this long before sending it
};

class ReplyStream {
public:
    virtual ~ReplyStream() = default;
    // The next piece, or nullopt when the reply is complete.
    virtual std::optional<Piece> Next() = 0;
};

// Fixed bytes in pieces of `pieceSize`: the first after `firstPause`, each
// later one after `piecePause`.
class FixedReply : public ReplyStream {
public:
    explicit FixedReply(std::string bytes, std::chrono::milliseconds firstPause = {},
                        std::size_t pieceSize = 64 * 1024, std::chrono::milliseconds piecePause = {});
    std::optional<Piece> Next() override;

private:
    std::string bytes_;
    std::size_t offset_ = 0;
    std::chrono::milliseconds firstPause_;
    std::size_t pieceSize_;
    std::chrono::milliseconds piecePause_;
};

// `head`, then `unit` repeated: forever, or cut off after `limit` bytes of
// repetition.
class RepeatingReply : public ReplyStream {
public:
    RepeatingReply(std::string head, std::string unit, std::optional<std::uint64_t> limit = std::nullopt);
    std::optional<Piece> Next() override;

private:
    std::string head_;
    std::string block_;  // whole units making up about one piece
    std::optional<std::uint64_t> left_;
    bool headSent_ = false;
};

}  // namespace lookout::demo
