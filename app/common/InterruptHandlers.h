#pragma once

// Installs the handlers of Ctrl-C, SIGTERM and SIGHUP for either program: the
// temporary files of a run are removed and the user is told in Russian
// whether its files were replaced.
void InstallRunInterruptHandlers();
