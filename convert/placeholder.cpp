// replaced by the runs
