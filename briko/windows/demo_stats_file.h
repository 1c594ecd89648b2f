#pragma once

#include <string>

#include "briko/rules/demo_stats.h"
#include "kit/settings/profile.h"

namespace briko {

// The demonstration statistics' one key in the shared settings file, which the
// game reads and rewrites after each demonstration game.
class DemoStatsFile : public DemoStatsStore {
  public:
    explicit DemoStatsFile(kit::ProfileFile file = kit::ProfileFile()) : file_(std::move(file)) {}

    std::string ReadStats(const std::string& defaultText) override;
    void WriteStats(const std::string& text) override;

  private:
    kit::ProfileFile file_;
};

}  // namespace briko
