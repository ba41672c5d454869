; a finite double beyond the single range becomes infinite, with a warning
        .data
        .float 0f1e39
        .float 0f-1e39
        .double 0f1e39
