// The three page readers over the status panel: any bytes are read without a
// crash; only the address page may raise, and only its list-index error.
#include <cstdlib>
#include <string_view>

#include "monitor/PageReaders.h"
#include "platform/Exception.h"
#include "platform/StringList.h"
#include "tests/support/PanelModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    lookout::PanelModel panel;
    lookout::ReadStatusPage(page, panel);
    lookout::ReadPartyPage(page, panel);
    try {
        lookout::ReadAddressPage(page, panel);
    } catch (const lookout::EListError&) {
        if (!lookout::SplitLines(page).empty()) std::abort();
    }
    return 0;
}
