#include "app/app_state.h"

AppState::AppState() {
  Hands[0] = std::make_unique<CMano>();
  Hands[1] = std::make_unique<CMano>();
}
