// The user-interface services of the fuzzer: nothing is shown, the messages are only counted.
#pragma once

extern int FuzzMessagesShown;
