; warnings and printed lines of a clean assembly appear once, from pass 2;
; .print writes to the standard output
        .data
        .warning
        .warning "mind the gap"
        .fail 500
        .print "hello, world"
        .print ""
        .rept 2
        .print "again"
        .endr
        .byte 0x01
