#include "viewer/viewer_application.h"

int main(int argc, char* argv[]) { return oxlin::viewer::runViewer(argc, argv); }
