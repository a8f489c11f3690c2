// Fuzzes the lookup: a mode byte, then the raga text and the ailment text separated by a
// NUL byte. Each half is found exactly when its text is a name of its table, to the last
// character, and then carries that row's texts; otherwise it stays empty.
#include "Lookup.h"
#include "RemedyCatalogue.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

bool listed(const std::vector<std::string_view> &names, std::string_view text)
{
    return std::find(names.begin(), names.end(), text) != names.end();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const SearchMode mode = data[0] & 1 ? SearchMode::ByAilment : SearchMode::ByRaga;
    const std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);
    const size_t split = std::min(rest.find('\0'), rest.size());
    const std::string_view raga = rest.substr(0, split);
    const std::string_view ailment = split < rest.size() ? rest.substr(split + 1) : std::string_view();

    const LookupResult result = Lookup(mode, raga, ailment);
    require(result.mode == mode);

    require(result.ragaFound == listed(RagaNames(), raga));
    if (result.ragaFound) {
        const RagaEntry *row = FindRaga(raga);
        require(result.chosenRaga == raga && result.diseaseItHelpCure == row->diseaseItHelpCure
                && result.timeOfPerformance == row->timeOfPerformance);
    } else {
        require(result.chosenRaga.empty() && result.diseaseItHelpCure.empty()
                && result.timeOfPerformance.empty());
    }

    require(result.ailmentFound == listed(AilmentNames(), ailment));
    if (result.ailmentFound)
        require(result.chosenAilment == ailment
                && result.ragaItHelpCure == FindAilment(ailment)->ragaItHelpCure);
    else
        require(result.chosenAilment.empty() && result.ragaItHelpCure.empty());
    return 0;
}
