#include "briko/demo_stats_text.h"

namespace briko {

std::string DemoStatsText(const DemoStatsRecord&) {
    return {};
}

}  // namespace briko
