// Arcade Vorpex. Starts the program on the main menu and runs it until the
// main window closes. A failure to start is shown in a message box that
// names the file and the folder, and the program exits with status 1; so
// does an unexpected failure in play, after writing the settings and scores
// and keeping a game in play. SIGTERM, SIGINT and SIGHUP end it promptly
// from any window, and so does a lost display where the toolkit still runs
// the process's exit: the settings and the best scores are written, and a
// game in play is kept for the next start. The order of it all is in
// start_up.h.
#include "start_up.h"

int main(int argc, char** argv) { return vorpex::runGame(argc, argv); }
