; a label beyond 65535 does not fit a .short: an error, not a warning
        .data
        .skip 70000
far:    .short far
        .byte far
