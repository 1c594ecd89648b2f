#include "briko/windows/about_window.h"
#include "briko/windows/controls_window.h"
#include "briko/windows/main_window.h"
#include "briko/windows/options_window.h"
#include "kit/highscores/briko_best_window.h"
#include "translations/tests/form_survey.h"

namespace fallpack::testing {

std::vector<Form> BrikoForms() {
    return {MakeForm<briko::TBrikoMainWindow>("Briko main window"),
            MakeForm<briko::TBRIKOOptionsWindow>("Briko options"),
            MakeForm<briko::TBRIKOAboutBoxWindow>("Briko about"),
            MakeForm<briko::TBRIKOControls>("Briko controls"),
            MakeForm<kit::TBRIKOBestWindow>("Briko high scores")};
}

}  // namespace fallpack::testing
