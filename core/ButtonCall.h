// One button-state operation as the toolbar received it, for tests that pin the order of calls.
#pragma once

enum class ButtonOperation { IsChecked, Check, Enable, Hide };

struct ButtonCall {
    ButtonOperation operation;
    int command;
    long flag;  // the flag exactly as it reached the toolbar; 0 for a query

    bool operator==(const ButtonCall& other) const {
        return operation == other.operation && command == other.command && flag == other.flag;
    }
};
