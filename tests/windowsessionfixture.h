#pragma once
// A window session started on its own drawing area, as a front end starts
// one, for the tests that hand it intents; opened on a view, it is the view
// the command line writes its pictures from.

#include "window/arealoadwindow.h"
#include "window/windowsession.h"

#include <vector>

struct Session {
    PictureBox area;
    WindowSession session{area};

    Session()
    {
        AreaLoadWindow window(area);
        session.start(window);
    }
    explicit Session(const PictureSettings& opened)
        : Session()
    {
        apply(OpenViewIntent{opened});
    }
    unsigned apply(const Intent& intent) { return session.apply(intent); }
    // The kinds of the requests made since the last call.
    std::vector<RequestKind> requests()
    {
        std::vector<RequestKind> kinds;
        for (const Request& request : session.takeRequests())
            kinds.push_back(request.kind);
        return kinds;
    }
    const ViewState& view() const { return session.model().viewState(); }
    const Form1Model& model() const { return session.model(); }
};
