#pragma once
// TDialogs: the main window's dialogs — greeting editor, 3D driver dialog and
// About box — created after the main window, wired to its buttons through its
// hooks, and destroyed in the reverse order before it. The greeting editor,
// going first, hands its greeting to the tree before the tree saves.
//
//   auto formTree = std::make_unique<TFormTree>();
//   auto dialogs = std::make_unique<TDialogs>(*formTree);   // after the main window
//   formTree->exec();
//   dialogs.reset();                                       // before the main window
#include <memory>

class TFormAbout;
class TFormSetup;
class TFormTree;
class TFormWelcome;

class TDialogs {
public:
    explicit TDialogs(TFormTree& formTree);
    TDialogs(const TDialogs&) = delete;
    TDialogs& operator=(const TDialogs&) = delete;
    ~TDialogs();

    TFormWelcome& FormWelcome() const { return *formWelcome_; }
    TFormSetup& FormSetup() const { return *formSetup_; }
    TFormAbout& FormAbout() const { return *formAbout_; }

private:
    // In the order of creation; members go in the reverse order.
    std::unique_ptr<TFormWelcome> formWelcome_;
    std::unique_ptr<TFormSetup> formSetup_;
    std::unique_ptr<TFormAbout> formAbout_;
};
