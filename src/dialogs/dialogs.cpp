#include "dialogs/dialogs.h"

#include "dialogs/formabout.h"
#include "dialogs/formsetup.h"
#include "dialogs/formwelcome.h"
#include "mainwindow/formtree.h"
#include "scene/d3ddriverlist.h"

TDialogs::TDialogs(TFormTree& formTree)
    : formWelcome_(std::make_unique<TFormWelcome>()), formSetup_(std::make_unique<TFormSetup>()),
      formAbout_(std::make_unique<TFormAbout>()) {
    TFormTree* tree = &formTree;
    TFormWelcome* welcome = formWelcome_.get();
    TFormSetup* setup = formSetup_.get();
    TFormAbout* about = formAbout_.get();
    TFormHooks& hooks = formTree.hooks();
    // Once the main window has its pictures and its tree.
    hooks.Prepare = [tree, welcome, setup, about] {
        welcome->Prepare(tree->ButtonsPicture(), tree->tree(), tree->WelcomeBand(), tree);
        setup->Prepare(tree->SetupPicture(), TD3DDriverList::instance());
        setup->SetMainWindow(tree);
        about->Prepare(tree->AboutPicture(), tree->SetupPicture());
        about->SetMainWindow(tree);
    };
    hooks.EditGreeting = [welcome] {
        welcome->Execute();
    };
    hooks.GreetingRestored = [welcome] {
        welcome->Reload();
    };
    hooks.ChooseDriver = [tree, setup](const QString& current) -> std::optional<QString> {
        setup->CenterOn(tree);
        QString chosen;
        if (setup->Choose(current, chosen)) {
            return chosen;
        }
        return std::nullopt;
    };
    hooks.AskExit = [about] {
        return about->AskExit();
    };
    hooks.ShowInfo = [about] {
        about->ShowInfo();
    };
    hooks.FinishEditing = [welcome] {
        welcome->FinishEditing();
    };
}

TDialogs::~TDialogs() = default;
