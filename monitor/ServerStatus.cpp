#include "monitor/ServerStatus.h"

namespace lookout {

ServerStatus StatusOfWord(std::string_view sjisWord) {
    struct Word {
        std::string_view text;
        ServerStatus status;
    };
    static constexpr Word kWords[] = {{"Good", ServerStatus::Good},
                                      {"Closed", ServerStatus::Closed},
                                      {"Dead", ServerStatus::Dead},
                                      {"Down", ServerStatus::Down}};
    for (const Word& word : kWords)
        if (word.text == sjisWord) return word.status;
    return ServerStatus::Other;
}

}  // namespace lookout
