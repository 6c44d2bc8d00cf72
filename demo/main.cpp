// lookout-demo-service: a stand-in for the status service on 127.0.0.1, for
// the demo and for tests.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "platform/SignalPipe.h"
#include "demo/DemoService.h"
#include "demo/PortFile.h"
#include "demo/ServiceOptions.h"

int main(int argc, char** argv) {
    using namespace lookout;
    using namespace lookout::demo;
    try {
        const ServiceOptions options = ParseServiceOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            std::fputs(kUsage, stdout);
            std::fputs(Help().c_str(), stdout);
            return 0;
        }
#ifdef SIGPIPE
        // A client that goes away mid-reply must not end the service.
        std::signal(SIGPIPE, SIG_IGN);
#endif
        const SignalPipe stop;
        DemoService service(options.settings);
        if (!options.portFile.empty()) WritePortFile(options.portFile, service.Port());
        std::printf("lookout-demo-service listening on http://127.0.0.1:%d/ (seed %llu, interval %d s)\n",
                    service.Port(), static_cast<unsigned long long>(options.settings.seed),
                    options.settings.intervalSeconds);
        std::fflush(stdout);
        service.Run(stop.Fd());
        return 0;
    } catch (const Exception& e) {
        std::fprintf(stderr, "lookout-demo-service: %s\n%s", e.what(), kUsage);
        return 2;
    }
}
