// How long one click's draw command takes when the window side costs nothing.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "draw/draw.h"

namespace {

// A host that answers with a fixed entry and does nothing else.
class NullHost : public draw::DrawHost {
  public:
    explicit NullHost(std::optional<std::string> entry) : entry_(std::move(entry)) {}
    std::optional<std::string> ReadEntryText() override { return entry_; }
    void ShowMessageBox(const std::string&, const std::string&, uint32_t) override {}
    void FocusEntry() override {}
    void SetResultText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }

  private:
    std::optional<std::string> entry_;
};

void RunCommand(benchmark::State& state, std::optional<std::string> entry) {
    NullHost host(std::move(entry));
    for (auto _ : state) {
        draw::RunDrawCommand(host);
    }
}

BENCHMARK_CAPTURE(RunCommand, entry_10, std::optional<std::string>("10"));
BENCHMARK_CAPTURE(RunCommand, entry_40000, std::optional<std::string>("40000"));
BENCHMARK_CAPTURE(RunCommand, entry_full_width_12, std::optional<std::string>("\xA3\xB1\xA3\xB2"));
BENCHMARK_CAPTURE(RunCommand, empty_entry, std::optional<std::string>());

}  // namespace

BENCHMARK_MAIN();
