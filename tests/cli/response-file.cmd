@rsp/args
