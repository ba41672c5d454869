; floating data takes numbers only
        .data
        .float 1, x, 2
        .double "s"
