// The system dialog's part: filled in with the dialog.
