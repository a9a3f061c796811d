#pragma once
// Start-up failures of the window system, told in Indonesian instead of the
// toolkit's abort trace.
//
// A display that is missing or cannot be opened gets one sentence saying so,
// with the command that runs the program under a virtual display. Any other
// failure of the toolkit's start-up (a platform plugin that does not exist,
// say) gets an Indonesian lead followed by the toolkit's own reason, so that
// nobody is sent looking for a display that is fine. Both end the program
// with status 1.

#include <string>

class DisplayCheck {
public:
    // `program` is the program as it was started (argv[0]), for the hint.
    // `displayNamed`: the command line chooses the platform or the display
    // itself, so none need be configured in the environment. Watches the
    // toolkit's messages from here until reached() or the end of the object.
    explicit DisplayCheck(std::string program, bool displayNamed = false);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // False when no display is configured at all, neither in the
    // environment nor on the command line, which is known before the toolkit
    // starts; the sentence has then been printed.
    bool displayConfigured() const;
    // The application object exists: stop watching.
    void reached();

private:
    std::string m_program;
    bool m_displayNamed = false;
    bool m_watching = false;
};
