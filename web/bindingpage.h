#pragma once
// The page's object in the core: one window session and its drawing area,
// the calls binding.cpp exports to the page's script. The intents are built
// in binding.cpp; the pictures and the files the page shows and offers are
// bindingpictures.cpp's.

#include "view/presentationpicture.h"
#include "window/windowsession.h"

#include <emscripten/val.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class RuvexPage {
public:
    RuvexPage();

    std::string start();

    // What the user did, each returning the session's change bits, with
    // what it redrew left in the record below.
    unsigned pointer(PointerSurface surface, PointerAction action, int buttons, int button, double x,
                     double y, double boxWidth, double boxHeight);
    // Alt and Meta count alike, but for the menus' letters, which Alt alone
    // opens. Where the key went (keyTargetAt): `place` the canvas or the
    // window beside the main one that has the focus.
    unsigned key(const std::string& name, bool shift, bool ctrl, bool alt, bool meta,
                 const std::string& place, bool dialogOpen, bool inField, bool selected);
    unsigned menu(const std::string& item) { return handOver(m_session.apply(MenuIntent{item})); }
    unsigned control(const std::string& handler, int value)
    {
        return handOver(m_session.apply(ControlIntent{handler, value}));
    }
    unsigned tick() { return handOver(m_session.apply(TickIntent{})); }
    unsigned openAddress(const std::string& fragment)
    {
        return handOver(m_session.apply(OpenAddressIntent{fragment}));
    }
    unsigned windowClosed(WindowName which) { return handOver(m_session.apply(WindowClosedIntent{which})); }

    // Where in the page's memory the record of what the last call redrew
    // is: for the drawing area's canvas, then for "Layar Penuh",
    // kRecordFields numbers each: the changed part's x, y, width and height
    // and the address of its RGBA bytes. So a pointer move is one call into
    // the core and its answer: the script reads the rest in place, asking
    // nothing more.
    static constexpr std::size_t kRecordFields = 5;
    std::uintptr_t changesRecord() const { return reinterpret_cast<std::uintptr_t>(m_record.data()); }

    std::string snapshot() const;
    std::string elementStates() const;
    // What the page shows after a change of the controls (shownJson).
    std::string shown() const;
    std::string requests();
    // Why the last address did not open, as the page tells it (empty when it
    // opened): at start the page opens on the first view, `edited` by hand
    // later it stays on the view shown.
    std::string addressRefusalMessage(bool edited) const;
    std::string viewAddress() const { return m_session.viewAddress(); }
    std::string addressToWrite() { return m_session.addressToWrite(); }
    emscripten::val viewPosition() const;
    std::string pictureWords() const { return m_session.pictureWords(); }
    // The user asks for less motion (the browser's setting): the solid
    // sweeps at the slowest of its speeds.
    void reduceMotion() { m_session.reduceMotion(); }

    // The drawing area's picture as RGBA bytes, the canvas's order, in a
    // buffer of the page's that the script reads in place.
    emscripten::val pixels();
    emscripten::val bitmapFile();
    emscripten::val exportFile(int type);
    emscripten::val pngFile();
    // The file of the name dialog `dialog` (bindingtexts.cpp's fileDialog):
    // the bitmap, or the export of type `type`.
    emscripten::val pictureFile(const std::string& dialog, int type);

    // The drawing area's canvas at width x height device pixels: at the
    // picture's own size the picture itself, otherwise (a high-density
    // screen, a zoomed page, a phone's narrow layout) the view drawn again at
    // that size, never enlarged, so lines stay sharp on any screen. Its whole
    // picture is left in the record, shown as an intent's change is; while
    // "Layar Penuh" covers it, once that closes.
    void showScreen(int width, int height);

    // "Layar Penuh" for a screen of width x height CSS pixels at the
    // browser's device-pixel ratio: {width, height, ratio} of its picture,
    // the whole of which is left in the record.
    emscripten::val openPresentation(double width, double height, double deviceRatio);
    // The drawing area's canvas's whole picture left in the record.
    void closePresentation();
    // Its caption's band: {pictureHeight, height, textHeight, caption}, in
    // the picture's pixels, the picture's rows above a band of height 0 when
    // there is no caption. To be fitted again at each kCaptionChanged.
    emscripten::val presentationBand();
    emscripten::val presentationPixels();

    int pictureWidth() const { return m_area.Image().width(); }
    int pictureHeight() const { return m_area.Image().height(); }

private:
    unsigned handOver(const AppliedIntent& applied);
    const PixelBuffer& shownImage(std::size_t surface);
    void record(std::size_t surface, const PixelRect& changed);
    void recordWhole(std::size_t surface);
    void fitScreen();
    void giveBackCopies();

    PictureBox m_area;
    WindowSession m_session;
    std::vector<std::uint8_t> m_rgba;
    std::vector<std::uint8_t> m_file;
    std::array<std::int32_t, 2 * kRecordFields> m_record{};
    std::array<std::vector<std::uint8_t>, 2> m_recordedRgba;
    // "Layar Penuh"'s device pixels a CSS pixel.
    double m_presentationRatio = 1.0;
    // The drawing area's canvas's device pixels.
    struct {
        int width = 0;
        int height = 0;
    } m_screen;
};
