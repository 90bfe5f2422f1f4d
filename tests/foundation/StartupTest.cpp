#include "support/ClientTest.h"

class StartupTest : public ClientTest {};
