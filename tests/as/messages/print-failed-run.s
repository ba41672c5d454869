; a run that fails in pass 1 prints nothing: .print speaks from pass 2 only
        .data
        .print "not shown"
        .print 5
        .print "x" "y"
