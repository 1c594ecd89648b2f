#include "kit/highscores/orchard_best_window.h"
#include "orchard/windows/about_window.h"
#include "orchard/windows/main_window.h"
#include "orchard/windows/options_window.h"
#include "translations/tests/form_survey.h"

namespace fallpack::testing {

std::vector<Form> OrchardForms() {
    return {MakeForm<orchard::TTOrchardMainWindow>("Orchard main window"),
            MakeForm<orchard::TTOrchardOptionWindow>("Orchard options"),
            MakeForm<orchard::TOrchardAboutWindow>("Orchard about"),
            MakeForm<kit::TOrchardBestWindow>("Orchard high scores")};
}

}  // namespace fallpack::testing
