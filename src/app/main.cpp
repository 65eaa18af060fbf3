#include "app/application.h"
#include "app/appstate.h"
#include "app/tmain.h"
#include "app/widgetprompt.h"
#include "app/windowcatalog.h"

int main(int argc, char **argv)
{
    App::Application app(argc, argv);
    App::WidgetPrompt prompt;
    Prompt::setHandler(&prompt);

    App::AppState state;
    App::WindowCatalog catalog;
    App::TMAIN mainWindow(state, catalog);
    mainWindow.showMaximized();
    const int rc = app.exec();
    Prompt::setHandler(nullptr);
    return rc;
}
