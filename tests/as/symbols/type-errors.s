; unknown symbol types
        .type f, function
        .type f, 2
        .type f STT_FUNC
