#include "demo/ReplyStream.h"

#include <algorithm>

namespace lookout::demo {

FixedReply::FixedReply(std::string bytes, std::chrono::milliseconds firstPause, std::size_t pieceSize,
                       std::chrono::milliseconds piecePause)
    : bytes_(std::move(bytes)),
      firstPause_(firstPause),
      pieceSize_(std::max<std::size_t>(pieceSize, 1)),
      piecePause_(piecePause) {}

std::optional<Piece> FixedReply::Next() {
    if (offset_ >= bytes_.size()) return std::nullopt;
    Piece piece{bytes_.substr(offset_, pieceSize_), offset_ == 0 ? firstPause_ : piecePause_};
    offset_ += piece.bytes.size();
    return piece;
}

RepeatingReply::RepeatingReply(std::string head, std::string unit, std::optional<std::uint64_t> limit)
    : head_(std::move(head)), left_(limit) {
    if (unit.empty()) unit.push_back(' ');
    const std::size_t copies = std::max<std::size_t>(1, 64 * 1024 / unit.size());
    block_.reserve(copies * unit.size());
    for (std::size_t i = 0; i < copies; ++i) block_ += unit;
}

std::optional<Piece> RepeatingReply::Next() {
    if (!headSent_) {
        headSent_ = true;
        return Piece{std::move(head_)};
    }
    if (!left_) return Piece{block_};
    if (*left_ == 0) return std::nullopt;
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(*left_, block_.size()));
    *left_ -= n;
    return Piece{block_.substr(0, n)};
}

}  // namespace lookout::demo
