#include "app/shell/notebook_application.h"

int main(int argc, char* argv[]) { return oxlin::app::runNotebook(argc, argv); }
