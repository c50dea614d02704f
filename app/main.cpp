// The process's one application object; the framework's entry runs its start-up.
#include "app/PulsegridApp.h"

CPulsegridApp theApp;
