#pragma once

// Installs the handlers of Ctrl-C and SIGTERM for either program: the
// temporary files of a run are removed and the user is told in Russian.
void InstallRunInterruptHandlers();
