; the source's own errors are counted, each at the token after the directive
        .data
        .err
        .error
        .error "stop here"
        .fail 499
        .fail -1
        .fail undefined_symbol
        .error 5
        .warning 5
        .fail 600 1
        .err 1
        .byte 0x01
