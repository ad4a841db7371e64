// What the window's key map asks of everything outside the window: commands, menus, auditions,
// the settings file and the language.
#pragma once

#include <QChar>

class QString;

// The program side implements it. UI thread only.
class KeyCommandLink {
public:
    virtual ~KeyCommandLink() = default;

    // Runs a command by id; false when the id has no command.
    virtual bool RunCommand(int id) = 0;
    // The ball at the point sounds (replace: stops what sounds of it first; release: it sounds
    // to its end, not only while the key is held).
    virtual void AuditionAtPoint(bool replace, bool release) = 0;

    // The main menu below the menu trigger.
    virtual void ShowMainPopup(bool atLeft) = 0;
    // The main menu as the keyboard opens it (the window pop-up where the trigger is hidden).
    virtual void ShowMenuByKey() = 0;
    // The menu whose caption has that accelerator (upper case); false when none has it.
    virtual bool ShowMenuByLetter(QChar letter) = 0;
    // The context menus at the point, or at the line on the ruler.
    virtual void ShowBallMenuAtPoint() = 0;
    virtual void ShowLaneMenuAtPoint() = 0;
    virtual void ShowRulerMenuAtLine() = 0;

    // The settings and the window's placement written to the settings file now.
    virtual void SaveSettingsNow() = 0;
    // The settings file opened in the program the texts name for amending text.
    virtual void OpenSettingsFileInEditor() = 0;
    // The text put on the desktop's clipboard.
    virtual void CopyToClipboard(const QString& text) = 0;
    // The language list's choice; a step of +1 or -1 through the list, wrapping round.
    virtual void ChooseLanguage() = 0;
    virtual void StepLanguage(int step) = 0;

    // A command on the object its id belongs to (the lane or the ball at the point, the watch,
    // the slider, the ruler at the mouse...), as its menu would run it; false when nothing ran.
    virtual bool RunRoutedCommand(int id) = 0;
    // The watch asks for a command's number, then runs that command as above.
    virtual void RunCommandByNumber() = 0;
    // The listed interior style after the selected one, round to the first.
    virtual void SelectNextStyle() = 0;
    // The sound-file keys on the object at the point.
    // The sound-file dialog for the ball at the point, else for the room's cell there.
    virtual void ChooseSoundFileAtPoint() = 0;
    // The sound file name of the ball at the point, else of the lane at its row, copied.
    virtual void CopySoundFileNameAtPoint() = 0;
    // The clipboard's sound file put on the room's cell at the point.
    virtual void PasteSoundFileAtPoint() = 0;
};
