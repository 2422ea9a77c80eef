// The phrase-file subsystem grows here.
