#include "kit/highscores/pillora_best_window.h"
#include "pillora/windows/main_window.h"
#include "pillora/windows/options_window.h"
#include "translations/tests/form_survey.h"

namespace fallpack::testing {

std::vector<Form> PilloraForms() {
    return {MakeForm<pillora::TTPilloraWindow>("Pillora main window"),
            MakeForm<pillora::TPilloraOptionWindow>("Pillora options"),
            MakeForm<kit::TPilloraBestWindow>("Pillora high scores")};
}

}  // namespace fallpack::testing
