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
    AppliedIntent apply(const Intent& intent) { return session.apply(intent); }
    // A pointer event at the drawing area's pixel x, y: over an open "Layar
    // Penuh", where its picture shows that pixel. A move carries `buttons` as
    // held, a press or a release as the one button.
    AppliedIntent pointer(PointerSurface surface, PointerAction action, int buttons, double x, double y)
    {
        if (surface == PointerSurface::FullScreen && session.scaledViewOpen(ScaledView::FullScreen)) {
            const PixelMapping& map = session.scaledPicture(ScaledView::FullScreen).mapping();
            x = map.originX + x * map.scale;
            y = map.originY + y * map.scale;
        }
        const bool move = action == PointerAction::Move;
        return session.apply(PointerEvent{surface, action, move ? buttons : 0, move ? 0 : buttons, x, y});
    }
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
