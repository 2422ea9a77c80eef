// This subsystem grows here.
