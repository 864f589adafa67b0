// The one request block shared by the game thread and the presenter.
#include "platform/sdl/presenter_requests.h"

namespace kestrway {

PresenterRequests& presenterRequests() {
    static PresenterRequests* const requests = new PresenterRequests;
    return *requests;
}

}  // namespace kestrway
