// Must not build: the storage layer is free of Qt.
#include <QString>
